#pragma once

#include "app/CPropertySheet.h"

#include <functional>

class CAzimuthElevationDoc;
class MessageSink;
class ProfileStore;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Physical GPS Mask Angle": the SNR a satellite needs to shape the mask,
// and the comment printed with it.
class CAzimuthElevationProperityPage1 : public CPropertyPage {
    Q_OBJECT

public:
    static constexpr int kMaxCommentLength = 511;

    CAzimuthElevationProperityPage1(CAzimuthElevationDoc& document, ProfileStore& profile,
                                    MessageSink& messages, QWidget* parent = nullptr);

    QLineEdit& SnrEdit() const { return *snrEdit; }
    QPlainTextEdit& CommentEdit() const { return *commentEdit; }

    bool Validate() override;
    void Apply() override;

private:
    void LimitComment();

    CAzimuthElevationDoc& document;
    ProfileStore& profile;
    MessageSink& messages;
    QLineEdit* snrEdit;
    QPlainTextEdit* commentEdit;
};

// "Auto Load": the mask file loaded when the window opens.
class CAzimuthElevationProperityPage2 : public CPropertyPage {
    Q_OBJECT

public:
    // A file for the Load File field; empty when the user cancels.
    using PathChooser = std::function<QString()>;

    CAzimuthElevationProperityPage2(CAzimuthElevationDoc& document, ProfileStore& profile,
                                    QWidget* parent = nullptr);

    QCheckBox& AutoLoadCheck() const { return *autoLoadCheck; }
    QLineEdit& FileEdit() const { return *fileEdit; }
    QPushButton& BrowseButton() const { return *browseButton; }
    void SetBrowseChooser(PathChooser chooser) { chooseFile = std::move(chooser); }

    void Apply() override;

private:
    void UpdateEnabled();
    void Browse();

    CAzimuthElevationDoc& document;
    ProfileStore& profile;
    QCheckBox* autoLoadCheck;
    QLineEdit* fileEdit;
    QPushButton* browseButton;
    PathChooser chooseFile;
};
