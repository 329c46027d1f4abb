// The pictures the window's style draws with, read ahead of the first paint.
#pragma once

namespace parlavo {

// The Fusion style draws every group box frame from a picture it loads by file
// name alone, and Qt answers such a load by loading each image plugin in turn to
// ask it about the file before it reads the PNG itself: a millisecond and the
// plugins' memory at the first paint, for a format Qt reads without them. Read here
// with no plugin folder to look in, the picture lands in the pixmap cache, where
// the style finds it. Call it before any other picture is read, or the plugins
// are already known.
void LoadStylePictures();

}  // namespace parlavo
