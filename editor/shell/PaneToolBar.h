#pragma once
#include "framework/ImageList.h"
#include "framework/ToolBar.h"

// One button of a pane's small tool bar; command 0 is a separator.
struct PaneButton {
    UINT command;
    int image;
    BYTE state = TBSTATE_ENABLED;
};

// The flat tool bars inside the workspace and output panes: tool tips, no divider, placed
// by their pane, images from a bitmap of square images on magenta. The image list must
// live as long as the tool bar. A missing bitmap leaves the buttons without images.
BOOL CreatePaneToolBar(CToolBarCtrl& bar, CImageList& images, CWnd* parent, UINT id, UINT bitmapId, int imageSize,
                       const PaneButton* buttons, int count);
