#include "views/skyplot/CAzimuthElevationPropertySheet.h"

#include "views/skyplot/CAzimuthElevationProperityPages.h"

CAzimuthElevationPropertySheet::CAzimuthElevationPropertySheet(CAzimuthElevationDoc& document,
                                                               ProfileStore& profile,
                                                               MessageSink& messages,
                                                               QWidget* parent)
    : CPropertySheet(QStringLiteral("Azimuth Elevarion Property Sheet"), parent),
      maskPage(new CAzimuthElevationProperityPage1(document, profile, messages)),
      autoLoadPage(new CAzimuthElevationProperityPage2(document, profile)) {
    AddPage(maskPage);
    AddPage(autoLoadPage);
}
