#pragma once
// Pools of the bullet groups of the 22 enemy kinds. Group n of kind K is
// enemy<K>Shot<n>Pool; a two-level pool is [parent slot][record]. The groups'
// draw, fire and move come with the enemy behaviour.
#include "game/enemies/bullet_records.h"

extern TurningString7Record enemyAShot1Pool[3][7];
extern TurningString7Record enemyAShot2Pool[3][7];
extern StraightShotRecord enemyAShot3Pool[3][5];

extern AimedShotLongRecord enemyDShot1Pool[4];

extern AimedShotRecord enemyEShot1Pool[4];

extern AimedShotRecord enemyFShot1Pool[3];

extern AimedShotRecord enemyGShot1Pool[3];

extern AimedShotRecord enemyHShot1Pool[3];

extern StraightShotRecord enemyIShot1Pool[3][5];
extern StraightShotRecord enemyIShot2Pool[3];
extern StraightShotRecord enemyIShot3Pool[3];
extern StraightShotRecord enemyIShot4Pool[3];

extern AimedRotString5Record enemyJShot1Pool[3][5];
extern AimedString5Record enemyJShot2Pool[4];
extern AimedString5Record enemyJShot3Pool[5];
extern StraightShotRecord enemyJShot4Pool[3];
extern StraightShotRecord enemyJShot5Pool[3];
extern StraightShotRecord enemyJShot6Pool[3];
extern FanVolleyKindRecord enemyJShot7Pool[25];

extern AimedRotString5Record enemyKShot1Pool[3][5];
extern AimedString5Record enemyKShot2Pool[4];
extern AimedString5Record enemyKShot3Pool[5];
extern StraightShotRecord enemyKShot4Pool[3];
extern StraightShotRecord enemyKShot5Pool[3];
extern StraightShotRecord enemyKShot6Pool[3];
extern FanVolleyKindRecord enemyKShot7Pool[25];

extern StraightShotRecord enemyLShot1Pool[3];
extern StraightShotRecord enemyLShot2Pool[3];
extern StraightShotRecord enemyLShot3Pool[3];
extern StraightShotRecord enemyLShot4Pool[3];
extern StraightShotRecord enemyLShot5Pool[3];
extern StraightShotRecord enemyLShot6Pool[3][5];
extern StraightShotRecord enemyLShot7Pool[3][5];
extern StraightShotRecord enemyLShot8Pool[3][5];
extern StraightShotRecord enemyLShot9Pool[3][5];
extern StraightShotRecord enemyLShot10Pool[3][5];

extern AimedShotLongRecord enemyMShot1Pool[3];
extern AimedString5Record enemyMShot2Pool[4];
extern AimedString5Record enemyMShot3Pool[5];
extern StraightShotRecord enemyMShot4Pool[3];
extern StraightShotRecord enemyMShot5Pool[3];
extern StraightShotRecord enemyMShot6Pool[3];

extern AimedShotLongRecord enemyNShot1Pool[3];
extern AimedString5Record enemyNShot2Pool[4];
extern AimedString5Record enemyNShot3Pool[5];
extern StraightShotRecord enemyNShot4Pool[3];
extern StraightShotRecord enemyNShot5Pool[3];
extern StraightShotRecord enemyNShot6Pool[3];

extern BigFanVolleyRecord enemyOShot1Pool[25];
extern BigFanVolleyRecord enemyOShot2Pool[15];
extern BigFanVolleyRecord enemyOShot3Pool[15];
extern StraightShotRecord enemyOShot4Pool[1];
extern StraightShotRecord enemyOShot5Pool[1];
extern StraightShotRecord enemyOShot6Pool[1];
extern StraightShotRecord enemyOShot7Pool[1];
extern StraightShotRecord enemyOShot8Pool[1];

extern BigFanVolleyRecord enemyPShot1Pool[25];
extern BigFanVolleyRecord enemyPShot2Pool[15];
extern BigFanVolleyRecord enemyPShot3Pool[15];
extern StraightShotRecord enemyPShot4Pool[1];
extern StraightShotRecord enemyPShot5Pool[1];
extern StraightShotRecord enemyPShot6Pool[1];
extern StraightShotRecord enemyPShot7Pool[1];
extern StraightShotRecord enemyPShot8Pool[1];

extern StraightShotRecord enemyQShot1Pool[3][5];
extern StraightShotRecord enemyQShot2Pool[3];
extern StraightShotRecord enemyQShot3Pool[3];
extern StraightShotRecord enemyQShot4Pool[3];
extern StraightShotRecord enemyQShot5Pool[3];
extern StraightShotRecord enemyQShot6Pool[3];

extern StraightShotRecord enemyRShot1Pool[2][5];
extern StraightShotRecord enemyRShot2Pool[2];
extern StraightShotRecord enemyRShot3Pool[2];
extern StraightShotRecord enemyRShot4Pool[2];
extern StraightShotRecord enemyRShot5Pool[2];
extern StraightShotRecord enemyRShot6Pool[2];

extern StraightShotRecord enemySShot1Pool[5];
extern StraightShotRecord enemySShot2Pool[5];
extern StraightShotRecord enemySShot3Pool[5];
extern StraightShotRecord enemySShot4Pool[5];
extern StraightShotRecord enemySShot5Pool[5];

extern StraightShotRecord enemyTShot1Pool[3][5];
extern StraightShotRecord enemyTShot2Pool[3];
extern StraightShotRecord enemyTShot3Pool[3];
extern StraightShotRecord enemyTShot4Pool[3];
extern StraightShotRecord enemyTShot5Pool[3];
extern StraightShotRecord enemyTShot6Pool[3];

extern StraightShotRecord enemyUShot1Pool[2][5];
extern StraightShotRecord enemyUShot2Pool[2];
extern StraightShotRecord enemyUShot3Pool[2];
extern StraightShotRecord enemyUShot4Pool[2];
extern StraightShotRecord enemyUShot5Pool[2];
extern StraightShotRecord enemyUShot6Pool[2];

extern StraightShotRecord enemyVShot1Pool[5];
extern StraightShotRecord enemyVShot2Pool[5];
extern StraightShotRecord enemyVShot3Pool[5];
extern StraightShotRecord enemyVShot4Pool[5];
extern StraightShotRecord enemyVShot5Pool[5];
