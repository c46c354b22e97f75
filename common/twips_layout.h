// A control's place on a window as the games lay them out: in twips from the client area's top left corner.
#pragma once

namespace common {

// 1440 twips make an inch, 15 a pixel at 96 dots per inch; each front end turns them into its pixels.
struct Layout {
    int left, top, width, height;
};

}  // namespace common
