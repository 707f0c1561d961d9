#pragma once
// The main window's loaders over any store: a resource as a stream, a PNG resource drawn
// fitted into a box of a surface. A resource that is missing, empty or damaged says so once
// with the name as the caller spelled it, and draws nothing.

#include <QBuffer>
#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

namespace zuv {

class ResourceStore;
enum class Fit;

// A stream over a private copy of a raw-data resource, or null after showing the message.
std::unique_ptr<QBuffer> OpenResource(const ResourceStore& store, const QString& name);

// Draws the picture `name` into `box` of the surface, stretched or with its proportions.
void DrawResource(const ResourceStore& store, QImage& surface, const QRect& box, const QString& name, Fit fit);

}  // namespace zuv
