#pragma once

#include "app/DocumentTemplate.h"

struct AppContext;

// The signal quality window: a CSignalQualityDoc shown by a CSignalQualityView.
// `context` must outlive every window the template makes.
DocumentTemplate MakeSignalQualityTemplate(AppContext& context);
