#pragma once

class QFrame;

namespace tevorin {

// While the frame (a label, say) has the keyboard focus, a plain line in its text colour runs
// around it in place of its own frame, so that the focus can be seen; nothing moves.
void frameWhenFocused(QFrame* frame);

}  // namespace tevorin
