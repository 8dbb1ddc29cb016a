#pragma once

class QWidget;

// Opens the help topic of a catalogue command (the model's catalogue, the
// entry's index) in a help window; one window, reused.
void ShowCommandHelp(QWidget* parent, int model, int index);
