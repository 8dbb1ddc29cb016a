#pragma once

#include <span>
#include <string>

class CReceiverPort;
class QWidget;

// Sends the initialisation strings for a receiver model through the port,
// showing "Initializing GPS..." while they go out (the owner is disabled
// meanwhile). Returns how many strings went out whole.
size_t SendInitStringsShowingProgress(QWidget* owner, CReceiverPort& port,
                                      std::span<const std::string> rawStrings, int model);
