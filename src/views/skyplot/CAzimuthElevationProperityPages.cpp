#include "views/skyplot/CAzimuthElevationProperityPages.h"

#include "profile/ProfileStore.h"
#include "views/skyplot/CAzimuthElevationDoc.h"
#include "views/skyplot/MaskFileDialogs.h"
#include "views/skyplot/SkyPlotSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace skyplot_profile;

CAzimuthElevationProperityPage1::CAzimuthElevationProperityPage1(CAzimuthElevationDoc& document,
                                                                 ProfileStore& profile,
                                                                 MessageSink& messages,
                                                                 QWidget* parent)
    : CPropertyPage(QStringLiteral("Physical GPS Mask Angle"), parent), document(document),
      profile(profile), messages(messages), snrEdit(new QLineEdit(this)),
      commentEdit(new QPlainTextEdit(this)) {
    snrEdit->setText(QString::number(document.Model().Options().snrThreshold));
    commentEdit->setPlainText(QString::fromStdString(document.Model().Comment()));
    auto* layout = new QVBoxLayout(this);
    auto* snrRow = new QHBoxLayout;
    snrRow->addWidget(new QLabel(QStringLiteral("SNR Threshold:"), this));
    snrRow->addWidget(snrEdit);
    snrRow->addStretch();
    layout->addLayout(snrRow);
    layout->addWidget(new QLabel(
        QStringLiteral("Comment (This comment printed when printing the azimuth mask):"), this));
    layout->addWidget(commentEdit);
    connect(snrEdit, &QLineEdit::textEdited, this, [this] { SetModified(); });
    connect(commentEdit, &QPlainTextEdit::textChanged, this, [this] {
        LimitComment();
        SetModified();
    });
}

// The comment must fit the file's buffer; typing or pasting past the limit
// is cut off.
void CAzimuthElevationProperityPage1::LimitComment() {
    if (commentEdit->document()->characterCount() - 1 <= kMaxCommentLength) return;
    QTextCursor cursor(commentEdit->document());
    cursor.setPosition(kMaxCommentLength);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

bool CAzimuthElevationProperityPage1::Validate() {
    return ValidatedInteger(*snrEdit, 0, 99, messages).has_value();
}

void CAzimuthElevationProperityPage1::Apply() {
    const int threshold = snrEdit->text().trimmed().toInt();
    document.Model().Options().snrThreshold = threshold;
    profile.SetInt(kSection, kSnrThreshold, threshold);
    document.Model().SetComment(commentEdit->toPlainText().toStdString());
    document.SetModified(true);
}

CAzimuthElevationProperityPage2::CAzimuthElevationProperityPage2(CAzimuthElevationDoc& document,
                                                                 ProfileStore& profile,
                                                                 QWidget* parent)
    : CPropertyPage(QStringLiteral("Auto Load"), parent), document(document), profile(profile),
      autoLoadCheck(new QCheckBox(QStringLiteral("Enable Auto Load"), this)),
      fileEdit(new QLineEdit(this)),
      browseButton(new QPushButton(QStringLiteral("Browse..."), this)),
      chooseFile([this] { return AskMaskFileToLoad(this); }) {
    autoLoadCheck->setChecked(document.EnableAutoLoad() == 1);
    fileEdit->setText(QString::fromStdString(profile.GetString(kSection, kLastMaskFile, "")));
    auto* layout = new QGridLayout(this);
    layout->addWidget(autoLoadCheck, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Load File:"), this), 1, 0);
    layout->addWidget(fileEdit, 1, 1);
    layout->addWidget(browseButton, 1, 2);
    layout->setRowStretch(2, 1);
    UpdateEnabled();
    connect(autoLoadCheck, &QCheckBox::toggled, this, [this] {
        UpdateEnabled();
        SetModified();
    });
    connect(fileEdit, &QLineEdit::textChanged, this, [this] { SetModified(); });
    connect(browseButton, &QPushButton::clicked, this, &CAzimuthElevationProperityPage2::Browse);
}

void CAzimuthElevationProperityPage2::UpdateEnabled() {
    const bool on = autoLoadCheck->isChecked();
    fileEdit->setEnabled(on);
    browseButton->setEnabled(on);
}

void CAzimuthElevationProperityPage2::Browse() {
    const QString path = chooseFile();
    if (!path.isEmpty()) fileEdit->setText(path);
}

void CAzimuthElevationProperityPage2::Apply() {
    const int enabled = autoLoadCheck->isChecked() ? 1 : 0;
    document.SetEnableAutoLoad(enabled);
    profile.SetInt(kSection, kEnableAutoLoad, enabled);
    profile.SetString(kSection, kLastMaskFile, QFile::encodeName(fileEdit->text()).toStdString());
    document.SetModified(true);
}
