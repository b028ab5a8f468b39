#pragma once

// The file dialog of the Load and Save As commands.

#include <optional>
#include <string>
#include <string_view>

namespace rungbox::files {

/// The filter both dialogs show, in the "description|pattern" form.
inline constexpr std::string_view kPlcFilter = "PLC file (*.PLC)|*.PLC";
/// The name the save dialog proposes.
inline constexpr std::string_view kDefaultFileName = "default.PLC";

class FileDialog {
public:
    virtual ~FileDialog() = default;

    /// Shows the save dialog proposing `defaultName`; the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> askSavePath(std::string_view defaultName,
                                                   std::string_view filter) = 0;
    /// Shows the open dialog; the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> askOpenPath(std::string_view filter) = 0;
};

} // namespace rungbox::files
