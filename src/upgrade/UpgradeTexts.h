#pragma once

#include <string_view>

// What the user reads during and after a firmware upgrade, word for word the
// same in the window and in harrowctl.
namespace UpgradeText {

// Stages, shown above the progress bar.
inline constexpr std::string_view kInitializing = "Initializing Firmware Upgrade";
inline constexpr std::string_view kErasingUpper = "Erasing Upper Flash Block";
inline constexpr std::string_view kSending = "Sending Firmware Upgrade "; // the space belongs
inline constexpr std::string_view kErasingLower = "Erasing Lower Flash Block";
inline constexpr std::string_view kCopying = "Copying to Lower Flash Block - Please Wait";

// Outcomes.
inline constexpr std::string_view kComplete = "Flash Upgrade Complete";
inline constexpr std::string_view kErrorOpeningFile = "Error opening File";
inline constexpr std::string_view kIncorrectFormat = "Incorrect File Format";
inline constexpr std::string_view kNoAcknowledgement = "Acknowledgement not received";
inline constexpr std::string_view kUserQuit = "User Quit";
inline constexpr std::string_view kCommunicationsError = "Communications Error";
inline constexpr std::string_view kEraseFailed = "Flash Erasure Failed";
inline constexpr std::string_view kProgrammingFailed = "Flash Programming Failed";
inline constexpr std::string_view kTooManyRetries = "Too many retries";
// The receiver said its last record came before the file's last record was
// sent: whatever it says next, its new firmware is not the whole file.
inline constexpr std::string_view kEndedEarly = "Transfer Ended Early";
inline constexpr std::string_view kNoPort = "No Serial Port Open";

// Message box captions.
inline constexpr std::string_view kCaptionError = "ERROR";
inline constexpr std::string_view kCaptionComplete = "UPGRADE";
inline constexpr std::string_view kCaptionUnknown = "UNKNOWN RESPONSE";

} // namespace UpgradeText
