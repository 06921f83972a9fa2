#pragma once

// FluidSynth is opened at run time, not linked: its forty-odd libraries would otherwise be
// loaded before the window can show. The fluid_* functions the program calls are defined in
// FluidSynthLibrary.cpp and forward to the library once load() has succeeded.
namespace FluidSynthLibrary {

// Opens the library on first call; true when it and every function are there. Thread-safe.
bool load();

} // namespace FluidSynthLibrary
