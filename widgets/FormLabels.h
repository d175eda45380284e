#pragma once
// The rule every window applies when it is created: its labels let the background
// picture show behind their text, except labels whose "Tag" property is 1, which keep an
// opaque background in their palette's window colour.

class QWidget;

// Applies the rule to every QLabel inside `form`, children of children included.
void MakeLabelsTransparent(QWidget* form);
