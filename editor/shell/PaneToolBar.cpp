#include "editor/shell/PaneToolBar.h"

#include <vector>

BOOL CreatePaneToolBar(CToolBarCtrl& bar, CImageList& images, CWnd* parent, UINT id, UINT bitmapId, int imageSize,
                       const PaneButton* buttons, int count)
{
    const DWORD style = WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (!bar.Create(style, CRect(0, 0, 0, 0), parent, id))
        return FALSE;
    bar.SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    bar.SetBitmapSize(CSize(imageSize, imageSize));
    if (images.Create(bitmapId, imageSize, 0, RGB(255, 0, 255)))
        bar.SetImageList(&images);
    std::vector<TBBUTTON> added(count);
    for (int i = 0; i < count; ++i) {
        TBBUTTON& button = added[i];
        button = TBBUTTON{};
        button.iBitmap = buttons[i].command == 0 ? 0 : buttons[i].image;
        button.idCommand = static_cast<int>(buttons[i].command);
        button.fsState = buttons[i].command == 0 ? 0 : buttons[i].state;
        button.fsStyle = buttons[i].command == 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    return bar.AddButtons(count, added.data());
}
