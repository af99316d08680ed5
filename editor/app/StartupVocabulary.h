#pragma once

class CWorkspaceBar;

// Reads the four shipped function tables below the program folder's 配置 into the vocabulary
// prompt's lookup list, each entry with its table's number (1 to 4); the workspace bar's
// vocabulary tree then shows the graphics table. A missing table adds nothing.
void LoadShippedVocabulary(CWorkspaceBar& bar);

// The shipped table of a kind (1 词汇, 2 图形, 3 视窗, 4 扩展) into the vocabulary tree; on
// success the kind's table button is the one disabled. False for another kind or when the
// table could not be read (its fault shown by the bar).
bool LoadVocabularyTable(CWorkspaceBar& bar, int kind);
