#pragma once
// The widget kit may not reach the windows that use it.
#include "ui/editor/ElementEditor.h"
