#include "app/ArtResources.h"

#include <QtGlobal>

void loadArtResources()
{
    Q_INIT_RESOURCE(resources);
}
