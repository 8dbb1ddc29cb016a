#pragma once

#include "app/AppContext.h"
#include "app/DocumentTemplate.h"

// The NMEA command monitor: its document joins the receive thread while it
// exists; its view shows the text and sends what is typed.
DocumentTemplate MakeCommandMonitorTemplate(AppContext& context);
