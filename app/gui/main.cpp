#include "app/gui/orvane_app.h"

wxIMPLEMENT_APP(orvane::gui::OrvaneApp);
