#include "app/resources.h"

#include <QtCore/qglobal.h>

static void registerResources()
{
    Q_INIT_RESOURCE(app);
}

void initResources()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}
