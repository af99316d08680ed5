#pragma once
#include "framework/Controls.h"

// A static control drawn as an etched line: vertical through its middle when it is taller
// than wide, else horizontal with its text (padded by two blanks) on the button face.
class CSeparatorLabel : public CStatic {
protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};
