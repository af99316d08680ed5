#include "editor/view/RangeState.h"

void RangeState::StartDocumentLine(bool multiLineStrings)
{
    lineComment = false;
    if (!multiLineStrings)
        quote1 = quote2 = quote3 = false;
}

bool RangeConditionHolds(int condition, bool range1, bool range2)
{
    switch (condition) {
    case kRangeNone: return true;
    case kRangeInside1: return range1;
    case kRangeInside2: return range2;
    case kRangeOutside1Inside2: return range2 && !range1;
    case kRangeOutside1: return !range1;
    case kRangeOutside2: return !range2;
    case kRangeInside1Or2: return range1 || range2;
    default: return false;
    }
}

int AdvanceRangeState(int kind, int subKind, RangeState& state)
{
    const bool holds = RangeConditionHolds(subKind, state.range1, state.range2);
    switch (kind) {
    case kRunQuote1:
    case kRunQuote2:
    case kRunQuote3: {
        bool& own = kind == kRunQuote1 ? state.quote1 : kind == kRunQuote2 ? state.quote2 : state.quote3;
        const bool otherQuote = (state.quote1 && &own != &state.quote1) ||
                                (state.quote2 && &own != &state.quote2) ||
                                (state.quote3 && &own != &state.quote3);
        if (otherQuote || state.AnyComment() || !holds)
            return kRunDelimiter;
        own = !own;
        return kRunQuote1;
    }
    case kRunLineComment:
        if (state.AnyQuote() || state.blockComment || !holds)
            return kRunDelimiter;
        state.lineComment = true;
        return kRunLineComment;
    case kRunBlockCommentOn:
        if (state.AnyQuote() || state.lineComment || !holds)
            return kRunDelimiter;
        state.blockComment = true;
        return kRunLineComment;
    case kRunBlockCommentOff:
        if (state.AnyQuote() || !state.blockComment || !holds)
            return kRunDelimiter;
        state.blockComment = false;
        return kRunLineComment;
    case kRunShadowOn:
    case kRunShadowOff:
        if (state.IsQuiet())
            state.shadow = kind == kRunShadowOn;
        return kRunShadowOn;
    case kRunHighlightOn:
    case kRunHighlightOff:
        if (state.IsQuiet())
            state.highlight = kind == kRunHighlightOn;
        return kRunHighlightOn;
    case kRunRange1Begin:
    case kRunRange1End:
        if (state.IsQuiet())
            state.range1 = kind == kRunRange1Begin;
        return kRunDelimiter;
    case kRunRange2Begin:
    case kRunRange2End:
        if (state.IsQuiet() && !state.range1)
            state.range2 = kind == kRunRange2Begin;
        return kRunDelimiter;
    default:
        return kind;
    }
}

uint32_t ChooseSegmentColor(int kind, int subKind, int r, const RangeState& state,
                            const SegmentColorRules& rules, const CViewSettings& settings)
{
    const uint32_t* colors = settings.colors;
    if (!rules.syntaxColouring)
        return colors[CViewSettings::kColorNormalText];
    if (state.AnyComment())
        return colors[kRunLineComment];
    if (state.highlight)
        return colors[kRunHighlightOn];
    if (state.shadow)
        return colors[kRunShadowOn];
    if (state.AnyQuote()) {
        if (kind == kRunVariable && rules.variablesInStrings)
            return colors[kRunQuote1] / 2 + colors[kRunVariable] / 2;
        return colors[kRunQuote1];
    }
    if (kind >= kRunKeyword0 && kind <= kRunKeyword9 && subKind != 0 &&
        !RangeConditionHolds(subKind, state.range1, state.range2))
        return colors[CViewSettings::kColorNormalText];
    if (r < 0 || r >= CViewSettings::kColorCount)
        return colors[CViewSettings::kColorNormalText];
    return colors[r];
}
