#pragma once

class QWidget;

// Labels show text from data files and the settings store as it is: a label left to guess would
// take a line that looks like HTML as markup (pictures, links, layout). Every label of the window
// not marked as rich text in its form becomes plain text.
void labelsKlartext(QWidget* fenster);
