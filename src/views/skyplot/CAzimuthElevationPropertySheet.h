#pragma once

#include "app/CPropertySheet.h"

class CAzimuthElevationDoc;
class CAzimuthElevationProperityPage1;
class CAzimuthElevationProperityPage2;
class MessageSink;
class ProfileStore;

// The sky plot's Properties: OK puts the values into the document and the
// profile and marks the document modified; Cancel changes nothing.
class CAzimuthElevationPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CAzimuthElevationPropertySheet(CAzimuthElevationDoc& document, ProfileStore& profile,
                                   MessageSink& messages, QWidget* parent = nullptr);

    CAzimuthElevationProperityPage1& MaskPage() const { return *maskPage; }
    CAzimuthElevationProperityPage2& AutoLoadPage() const { return *autoLoadPage; }

private:
    CAzimuthElevationProperityPage1* maskPage;
    CAzimuthElevationProperityPage2* autoLoadPage;
};
