#pragma once

#include "app/AppContext.h"
#include "app/DocumentTemplate.h"

// The navigation window: an empty document and its panel view.
DocumentTemplate MakeNavigationTemplate(AppContext& context);
