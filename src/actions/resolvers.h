// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The action button's resolvers, one for each category: each is given the
// row chosen in the category's list, counted from 1, and checks it against
// its own catalogue.
#pragma once

namespace swoonery {

class Game;

void resolve_date(Game& g, int place);
void resolve_job(Game& g, int job);
void resolve_talk(Game& g, int topic_row);
void resolve_purchase(Game& g, int item_row);
void resolve_gift(Game& g, int gift);

} // namespace swoonery
