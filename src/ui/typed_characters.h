#pragma once
// Fields that refuse some typed characters. Only characters with the codes 32 to 127 are
// checked; text that is pasted or set by the program is not. An editable combo box takes its
// keys before its line edit does, so the filter goes on the combo box itself.
class QWidget;

// A name on Linux may hold every character but "/" (and NUL, which nobody types): fields that
// make a name or part of one refuse only the folder separator. Fields that take paths refuse
// nothing.
inline constexpr char NameRefusals[] = "/";

void refuseTypedCharacters(QWidget *field, const char *refused);
// Every checked character but the digits 0 to 9.
void acceptTypedDigitsOnly(QWidget *field);
