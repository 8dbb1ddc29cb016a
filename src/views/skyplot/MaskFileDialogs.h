#pragma once

#include <QString>

#include <string>

class QWidget;

// File Open's dialog for a mask file; empty when the user cancels.
std::string AskOpenMaskFile(QWidget* parent);
// The auto load page's Browse dialog; empty when the user cancels.
QString AskMaskFileToLoad(QWidget* parent);
