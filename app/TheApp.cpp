// The program's one application object.
#include "app/AdvancedSettingsApp.h"

AdvancedSettingsApp theApp;
