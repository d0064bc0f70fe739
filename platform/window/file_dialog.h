#pragma once
// The framework's file dialogs: Open, and Save As, which asks before
// replacing an existing file. Documents here have no type of their own, so
// both offer every file.

#include <functional>
#include <optional>
#include <string>

enum class FileDialogKind { open, saveAs };

// The chosen path, or nothing when the user cancelled or the quit message has
// been posted (before or while it asks). proposed is the name (or path) the
// dialog starts with.
std::optional<std::string> PromptFileName(FileDialogKind kind, const std::string& proposed);

// For tests: answers file dialogs instead of showing them. An empty
// function shows them again.
void SetFileDialogHandler(
    std::function<std::optional<std::string>(FileDialogKind kind, const std::string& proposed)> handler);
