#pragma once
// Fields that refuse some typed characters. Only characters with the codes 32 to 127 are
// checked; text that is pasted or set by the program is not.
class QWidget;

// The characters a mask and the search-and-replace texts refuse: " * / : < > ? \ |
inline constexpr char MaskRefusals[] = "\"*/:<>?\\|";
// The characters the folder and filter fields refuse: " * / < > ? |
inline constexpr char FolderFieldRefusals[] = "\"*/<>?|";

void refuseTypedCharacters(QWidget *field, const char *refused);
// Every checked character but the digits 0 to 9.
void acceptTypedDigitsOnly(QWidget *field);
