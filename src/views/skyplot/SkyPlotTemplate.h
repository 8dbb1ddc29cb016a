#pragma once

#include "app/DocumentTemplate.h"

struct AppContext;

// The sky plot window type: its document and its view.
DocumentTemplate MakeSkyPlotTemplate(AppContext& context);
