#pragma once
#include <cstdint>

#include "editor/document/TextLine.h"
#include "editor/settings/ViewSettings.h"

// The quotation, comment, shadow, highlight and range state carried from segment to segment
// and from display line to display line while lines are painted or printed.
struct RangeState {
    bool quote1 = false;
    bool quote2 = false;
    bool quote3 = false;
    bool lineComment = false;
    bool blockComment = false;
    bool highlight = false;
    bool shadow = false;
    bool range1 = false;
    bool range2 = false;

    bool AnyQuote() const { return quote1 || quote2 || quote3; }
    bool AnyComment() const { return lineComment || blockComment; }
    // No quotation and no comment open.
    bool IsQuiet() const { return !AnyQuote() && !AnyComment(); }
    // What a first display line resets: the line comment, and the quotations when the
    // language has no multi-line strings.
    void StartDocumentLine(bool multiLineStrings);
};

// True for condition 0; 1 range 1; 2 range 2; 3 range 2 and not range 1; 4 not range 1;
// 5 not range 2; 6 range 1 or range 2; false for other values.
bool RangeConditionHolds(int condition, bool range1, bool range2);

// Updates the state for a run of the kind and sub-kind and returns the colour index the run
// takes by itself (33 when a marker is refused).
int AdvanceRangeState(int kind, int subKind, RangeState& state);

// What the painter needs to colour one segment's text.
struct SegmentColorRules {
    bool syntaxColouring = true;
    bool variablesInStrings = false;  // the language highlights variables inside quotations
};

// The text colour (0x00BBGGRR) of a segment of the kind and sub-kind, given the colour r
// that AdvanceRangeState returned for it and the state after it.
uint32_t ChooseSegmentColor(int kind, int subKind, int r, const RangeState& state,
                            const SegmentColorRules& rules, const CViewSettings& settings);
