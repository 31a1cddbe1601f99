#pragma once

#include "ui/graphfile/graph_picture.h"

#include <QString>

namespace tarlen {

// Why a picture file did not load, in the words the user is told, naming the file.
QString graphRefusal(GraphPictureStatus status, const QString &graphPath);

} // namespace tarlen
