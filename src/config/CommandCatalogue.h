#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The receiver's configuration commands, per receiver model: what the GPS
// settings dialog offers in its description list. Compiled in, in list order.
struct CatalogueEntry {
    std::string_view description; // shown as is, doubled spaces and all
    std::string_view body;        // follows "$PZEK": a verb ("S," set, "Q," query), fields
    std::string_view help;        // the help topic: what the command does, its fields
};

// Every command starts with this; no checksum is ever added.
inline constexpr std::string_view kCommandPrefix = "$PZEK";
// A catalogue entry's help context number is this plus its list index.
inline constexpr int kHelpContextBase = 0x200B0;

// Models 0 to 2 share one catalogue, model 3 has its own; any other model
// (4, "Generic Receiver", included) has none and gets an empty span.
std::span<const CatalogueEntry> CatalogueFor(int model);

// "$PZEK" + the entry's default body; nothing when the model has no
// catalogue or the index lies outside it.
std::optional<std::string> DefaultCommand(int model, int index);

// The help topic of an entry, as plain text; empty where DefaultCommand
// gives nothing. Context numbers alone are ambiguous (both catalogues start
// at kHelpContextBase), so topics are looked up by model and index.
std::string_view HelpTopic(int model, int index);
