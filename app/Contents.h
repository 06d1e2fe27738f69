// The table of contents: ten chapters, twenty topic buttons and the screen
// each one opens, with the titles those screens carry.
#pragma once

#include <QString>
#include <vector>

struct ContentsEntry {
    int button; // CuteButton number on the main menu (3 … 22)
    QString
        chapter; // chapter title on the menu, with its number ("" when the row continues a chapter)
    QString caption;      // button caption
    int form;             // screen opened (2 … 21)
    QString chapterTitle; // Label1 of that screen
    QString topicTitle;   // Label2 of that screen
    bool drill;           // drill buttons are sky blue
};

// The twenty rows in menu order; chapters 1 … 6 form the left column.
const std::vector<ContentsEntry>& contents();
// The row that opens screen `form`, or null.
const ContentsEntry* contentsEntryForForm(int form);
