// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts that more than one part of the engine writes or compares.

// The mode label is also the game's mode: the countdown reads it to pick the game timer.
constexpr char kModeRandom[] = "Mode:Random";
constexpr char kModeFixed[] = "Mode:Fixed";

constexpr char kScorePrefix[] = "Your score: ";
constexpr char kFinish[] = "FINISH";
constexpr char kIllegalMode[] = "ERROR:The mode is illegal.";
