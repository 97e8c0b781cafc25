#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace orvik {

// The three faces every printout uses. Title is the same family, larger.
enum class FontRole { Normal, Bold, Title };

// The family and size a printout asks for; bold is the normal size at weight 700.
struct FontChoice {
    QString family;
    int points = 8;
    double titleScale = 1.5;
};

// Device units of one face, as the layout arithmetic needs them.
struct FaceMetrics {
    int height = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
};

// Where a printout is drawn: a PDF or printer page in the program, a recording in the tests. Every text is
// drawn with its top at y; coordinates are device units from the page's top left corner.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    virtual void setFonts(const FontChoice& choice) = 0;
    virtual FaceMetrics metrics(FontRole role) const = 0;
    virtual int textWidth(FontRole role, const QString& text) const = 0;
    virtual void drawText(FontRole role, int x, int y, const QString& text) = 0;
    virtual void drawRect(const QRect& rect) = 0;
    // The printable area.
    virtual QSize pageSize() const = 0;
    virtual QSize dotsPerInch() const = 0;
    virtual void newPage() = 0;
};

} // namespace orvik
