#include "editor/document/DocumentServices.h"

CDocumentServices& DocumentServices()
{
    static CDocumentServices services;
    return services;
}
