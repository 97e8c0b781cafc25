#pragma once

#include <QString>
#include <functional>

namespace orvik {

// A file the technician is asked for.
struct FileRequest {
    enum Purpose {
        Read,        // an existing file
        Write,       // a new file, or an existing one after the overwrite question
        ReadOrCreate // an existing file or a new name, without the overwrite question
    };
    Purpose purpose = Read;
    QString title;
    // As the program has always written its filters: "Description|pattern|Description|pattern||".
    QString filter;
    // Added to a name typed without an extension.
    QString defaultSuffix = {};
    QString proposedName = {};
};

// Answers the chosen path, or an empty text when the technician cancelled. The program shows a file dialog;
// tests answer without one.
using ChooseFile = std::function<QString(const FileRequest&)>;

} // namespace orvik
