#include "editor/view/SearchParameters.h"

CSearchParameters& TheSearchParameters()
{
    static CSearchParameters parameters;
    return parameters;
}
