#pragma once
// A core header that runs back up the layers twice: the layer check must name both lines.
#include "ui/widgets/ImageBox.h"
#include <QWidget>
#include "platform/Error.h"
