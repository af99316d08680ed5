#pragma once

class CWorkspaceBar;

// Reads the four shipped function tables below the program folder's 配置 into the vocabulary
// prompt's lookup list, each entry with its table's number (1 to 4); the workspace bar's
// vocabulary tree then shows the graphics table. A missing table adds nothing.
void LoadShippedVocabulary(CWorkspaceBar& bar);
