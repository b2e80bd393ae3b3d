#include "report/ReportDocument.h"

#include "common/Twips.h"
#include "report/ReportPages.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace valtrane::report {

namespace {

// Pictures that do not say their resolution are taken at the screen's usual 96 dots per inch.
constexpr double DefaultPictureDpi = 96.0;

int pictureTwips(int pixels, int dotsPerMeter)
{
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : DefaultPictureDpi;
    return int(std::lround(pixels * twips::PerInch / dpi));
}

template <typename Objects>
auto findNamed(Objects &objects, const QString &name)
{
    return std::find_if(objects.begin(), objects.end(), [&](const auto &o) { return o.name == name; });
}

} // namespace

int ReportDocument::rowsPerColumn(int fontSize)
{
    if (fontSize <= 9)
        return 50;
    if (fontSize == 10)
        return 45;
    if (fontSize == 11)
        return 40;
    return 35;
}

void ReportDocument::setOrientation(int orientation)
{
    if (orientation == Portrait || orientation == Landscape)
        m_orientation = orientation;
}

int ReportDocument::pageWidth() const
{
    return m_orientation == Landscape ? LetterLongSide : LetterShortSide;
}

int ReportDocument::pageHeight() const
{
    return m_orientation == Landscape ? LetterShortSide : LetterLongSide;
}

int ReportDocument::sectionHeight(Section section) const
{
    return m_sectionHeights[int(section)];
}

void ReportDocument::setSectionHeight(Section section, int twips)
{
    m_sectionHeights[int(section)] = std::max(0, twips);
}

TextObject &ReportDocument::addText(const TextObject &object)
{
    if (TextObject *existing = textObject(object.name)) {
        *existing = object;
        return *existing;
    }
    m_texts.push_back(object);
    return m_texts.back();
}

TextObject *ReportDocument::textObject(const QString &name)
{
    auto it = findNamed(m_texts, name);
    return it == m_texts.end() ? nullptr : &*it;
}

const TextObject *ReportDocument::textObject(const QString &name) const
{
    auto it = findNamed(m_texts, name);
    return it == m_texts.end() ? nullptr : &*it;
}

QString ReportDocument::text(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o ? o->text : QString();
}

void ReportDocument::setText(const QString &name, const QString &text)
{
    if (TextObject *o = textObject(name))
        o->text = text;
}

bool ReportDocument::suppressed(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o && o->suppress;
}

void ReportDocument::setSuppress(const QString &name, bool hidden)
{
    if (TextObject *o = textObject(name))
        o->suppress = hidden;
}

int ReportDocument::horAlignment(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o ? o->horAlignment : DefaultAlign;
}

void ReportDocument::setHorAlignment(const QString &name, int alignment)
{
    TextObject *o = textObject(name);
    if (o && alignment >= DefaultAlign && alignment <= RightAlign)
        o->horAlignment = alignment;
}

void ReportDocument::setLeftIndent(const QString &name, int twips)
{
    if (TextObject *o = textObject(name))
        o->leftIndent = twips;
}

void ReportDocument::setRightIndent(const QString &name, int twips)
{
    if (TextObject *o = textObject(name))
        o->rightIndent = twips;
}

int ReportDocument::left(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o ? o->left : 0;
}

void ReportDocument::setLeft(const QString &name, int twips)
{
    if (TextObject *o = textObject(name))
        o->left = twips;
    else if (PictureObject *p = picture(name))
        p->left = twips;
}

int ReportDocument::width(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o ? o->width : 0;
}

void ReportDocument::setWidth(const QString &name, int twips)
{
    if (TextObject *o = textObject(name))
        o->width = std::max(0, twips);
}

double ReportDocument::fontSize(const QString &name) const
{
    const TextObject *o = textObject(name);
    return o ? o->fontSize : 0;
}

void ReportDocument::setFontSize(const QString &name, double points)
{
    TextObject *o = textObject(name);
    if (o && points > 0)
        o->fontSize = points;
}

bool ReportDocument::addPicture(Section section, const QString &name, const QString &fileName, int left, int top)
{
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    PictureObject p;
    p.image = reader.read();
    if (p.image.isNull())
        return false;
    p.name = name;
    p.section = section;
    p.fileName = fileName;
    p.left = left;
    p.top = top;
    p.width = pictureTwips(p.image.width(), p.image.dotsPerMeterX());
    p.height = pictureTwips(p.image.height(), p.image.dotsPerMeterY());
    auto it = findNamed(m_pictures, name);
    if (it != m_pictures.end())
        *it = std::move(p);
    else
        m_pictures.push_back(std::move(p));
    return true;
}

void ReportDocument::deletePicture(const QString &name)
{
    auto it = findNamed(m_pictures, name);
    if (it != m_pictures.end())
        m_pictures.erase(it);
}

PictureObject *ReportDocument::picture(const QString &name)
{
    auto it = findNamed(m_pictures, name);
    return it == m_pictures.end() ? nullptr : &*it;
}

int ReportDocument::pageCount() const
{
    return ReportPages::pageCountOf(*this);
}

} // namespace valtrane::report
