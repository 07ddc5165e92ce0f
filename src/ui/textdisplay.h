#pragma once

class QAccessibleEvent;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// How typed and stored text is put on screen.
namespace TextDisplay {

// Sets are swapped between people, so a text such as "<B>" from a set or from
// typing must show as it stands: every label below root takes its text as
// plain text, never as markup Qt guessed from a leading '<'.
void plainLabels(QWidget *root);

// A password box shows one '*' for each typed character.
void maskWithStars(QLineEdit *box);

// The name a screen reader speaks for a widget that shows a value, such as
// "Questions for £100: 5"; readers are told when it changes.
void setSpokenName(QWidget *widget, const QString &name);
// Sends a change to screen readers and to any update handler installed.
void tellReaders(QAccessibleEvent *event);

// Makes label a notice: screen readers speak its text each time announce()
// is called, as they speak a notification that shows, wherever the focus is.
void makeNotice(QLabel *label);
void announce(QLabel *notice);

} // namespace TextDisplay
