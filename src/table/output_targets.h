#pragma once
// Where the output goes per format: the preview view that shows it, the save dialog's file
// type, and the lines of a text that is saved under a picture name.
#include "table/output_format.h"

#include <QString>
#include <QStringList>

enum class PreviewView { Text, Picture, Web };

// The view a format shows in, and which view buttons besides "Text" it enables.
struct PreviewChoice {
    PreviewView view;
    bool pictureButton;
    bool webButton;
};
PreviewChoice previewChoiceFor(OutputFormat format);

// The save dialog's name filter ("Text (*.txt)") and default suffix ("txt").
struct SaveFileType {
    QString filter;
    QString defaultSuffix;
};
SaveFileType saveFileTypeFor(OutputFormat format);

// The lines a text saved under a picture name is drawn with: split at every CR LF after
// one more is appended, so a final CR LF leaves an empty last line and "" gives one line.
QStringList textPictureLines(const QString &text);
