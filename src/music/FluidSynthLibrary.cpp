#include "music/FluidSynthLibrary.h"

#include <fluidsynth.h>

#include <dlfcn.h>

#include <initializer_list>

// Every FluidSynth function the program uses: result, name, parameters, arguments.
// A new call elsewhere needs its line here.
#define PETARA_FLUID_FUNCTIONS(F)                                                                                      \
    F(fluid_settings_t *, new_fluid_settings, (void), ())                                                              \
    F(void, delete_fluid_settings, (fluid_settings_t * s), (s))                                                        \
    F(int, fluid_settings_setstr, (fluid_settings_t * s, const char *name, const char *str), (s, name, str))           \
    F(int, fluid_settings_setint, (fluid_settings_t * s, const char *name, int val), (s, name, val))                   \
    F(int, fluid_settings_getint, (fluid_settings_t * s, const char *name, int *val), (s, name, val))                  \
    F(int, fluid_settings_setnum, (fluid_settings_t * s, const char *name, double val), (s, name, val))                \
    F(int, fluid_settings_getnum, (fluid_settings_t * s, const char *name, double *val), (s, name, val))               \
    F(int, fluid_settings_dupstr, (fluid_settings_t * s, const char *name, char **str), (s, name, str))                \
    F(int, fluid_settings_getstr_default, (fluid_settings_t * s, const char *name, char **def), (s, name, def))        \
    F(int, fluid_settings_str_equal, (fluid_settings_t * s, const char *name, const char *value), (s, name, value))    \
    F(void, fluid_settings_foreach_option,                                                                             \
      (fluid_settings_t * s, const char *name, void *data, fluid_settings_foreach_option_t func),                      \
      (s, name, data, func))                                                                                           \
    F(void, fluid_free, (void *p), (p))                                                                                \
    F(fluid_log_function_t, fluid_set_log_function, (int level, fluid_log_function_t fun, void *data),                 \
      (level, fun, data))                                                                                              \
    F(fluid_synth_t *, new_fluid_synth, (fluid_settings_t * s), (s))                                                   \
    F(void, delete_fluid_synth, (fluid_synth_t * synth), (synth))                                                      \
    F(int, fluid_synth_sfload, (fluid_synth_t * synth, const char *filename, int reset_presets),                       \
      (synth, filename, reset_presets))                                                                                \
    F(int, fluid_synth_write_float,                                                                                    \
      (fluid_synth_t * synth, int len, void *lout, int loff, int lincr, void *rout, int roff, int rincr),              \
      (synth, len, lout, loff, lincr, rout, roff, rincr))                                                              \
    F(fluid_audio_driver_t *, new_fluid_audio_driver, (fluid_settings_t * s, fluid_synth_t * synth), (s, synth))       \
    F(fluid_audio_driver_t *, new_fluid_audio_driver2, (fluid_settings_t * s, fluid_audio_func_t func, void *data),    \
      (s, func, data))                                                                                                 \
    F(void, delete_fluid_audio_driver, (fluid_audio_driver_t * driver), (driver))                                      \
    F(fluid_player_t *, new_fluid_player, (fluid_synth_t * synth), (synth))                                            \
    F(void, delete_fluid_player, (fluid_player_t * player), (player))                                                  \
    F(int, fluid_player_add_mem, (fluid_player_t * player, const void *buffer, size_t len), (player, buffer, len))     \
    F(int, fluid_player_play, (fluid_player_t * player), (player))                                                     \
    F(int, fluid_player_stop, (fluid_player_t * player), (player))                                                     \
    F(int, fluid_player_seek, (fluid_player_t * player, int ticks), (player, ticks))                                   \
    F(int, fluid_player_set_loop, (fluid_player_t * player, int loop), (player, loop))                                 \
    F(int, fluid_player_get_status, (fluid_player_t * player), (player))                                               \
    F(int, fluid_player_get_current_tick, (fluid_player_t * player), (player))                                         \
    F(int, fluid_player_get_total_ticks, (fluid_player_t * player), (player))                                          \
    F(int, fluid_player_set_playback_callback,                                                                         \
      (fluid_player_t * player, handle_midi_event_func_t handler, void *data), (player, handler, data))                \
    F(int, fluid_player_set_tick_callback, (fluid_player_t * player, handle_midi_tick_func_t handler, void *data),     \
      (player, handler, data))

namespace {

struct Functions
{
#define PETARA_FLUID_POINTER(result, name, parameters, arguments) decltype(&::name) name = nullptr;
    PETARA_FLUID_FUNCTIONS(PETARA_FLUID_POINTER)
#undef PETARA_FLUID_POINTER
};

const Functions *openLibrary()
{
    void *library = nullptr;
    for (const char *soname : {"libfluidsynth.so.3", "libfluidsynth.so"}) {
        if ((library = dlopen(soname, RTLD_NOW | RTLD_LOCAL)))
            break;
    }
    if (!library)
        return nullptr;
    auto *functions = new Functions;
    bool complete = true;
#define PETARA_FLUID_RESOLVE(result, name, parameters, arguments)                                                      \
    functions->name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                                      \
    complete = complete && functions->name;
    PETARA_FLUID_FUNCTIONS(PETARA_FLUID_RESOLVE)
#undef PETARA_FLUID_RESOLVE
    if (!complete) {
        delete functions;
        return nullptr;
    }
    // The library stays open for the rest of the run, like a linked one.
    return functions;
}

const Functions *functions()
{
    static const Functions *const opened = openLibrary();
    return opened;
}

} // namespace

namespace FluidSynthLibrary {

bool load()
{
    return functions() != nullptr;
}

} // namespace FluidSynthLibrary

// Callers check load() first, so the functions are there when these run.
#define PETARA_FLUID_FORWARD(result, name, parameters, arguments)                                                      \
    result name parameters                                                                                             \
    {                                                                                                                  \
        return functions()->name arguments;                                                                            \
    }
PETARA_FLUID_FUNCTIONS(PETARA_FLUID_FORWARD)
#undef PETARA_FLUID_FORWARD
