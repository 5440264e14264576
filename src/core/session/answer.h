#pragma once

namespace tavix {

// The answer to a question that has a way out besides "&Nein": "&Abbrechen", which Escape
// and the close box of the question give as well, leaves everything as it was.
enum class Answer
{
    Yes,
    No,
    Cancel
};

} // namespace tavix
