// talk.h -- the talk key's probe in front of the hero, and the start of a conversation
#pragma once

namespace actors {

struct Actor;

// The first talkable map actor of the current scene within the hero's reach, or -1.
int findTalkPartner(const Actor& hero);
// Marks the hero and the map actor busy and starts the actor's event; the actor
// drops its speech line and turns to the hero.
void startTalk(Actor& hero, int actorIndex);

}  // namespace actors
