// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExerciseEffects.h"

// The sorting exercise asks for no effect of its own beyond those both exercises share.
using SortingEffects = ExerciseEffects;
