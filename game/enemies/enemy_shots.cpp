#include "game/enemies/enemy_shots.h"

TurningString7Record enemyAShot1Pool[3][7];
TurningString7Record enemyAShot2Pool[3][7];
StraightShotRecord enemyAShot3Pool[3][5];

AimedShotLongRecord enemyDShot1Pool[4];

AimedShotRecord enemyEShot1Pool[4];

AimedShotRecord enemyFShot1Pool[3];

AimedShotRecord enemyGShot1Pool[3];

AimedShotRecord enemyHShot1Pool[3];

StraightShotRecord enemyIShot1Pool[3][5];
StraightShotRecord enemyIShot2Pool[3];
StraightShotRecord enemyIShot3Pool[3];
StraightShotRecord enemyIShot4Pool[3];

AimedRotString5Record enemyJShot1Pool[3][5];
AimedString5Record enemyJShot2Pool[4];
AimedString5Record enemyJShot3Pool[5];
StraightShotRecord enemyJShot4Pool[3];
StraightShotRecord enemyJShot5Pool[3];
StraightShotRecord enemyJShot6Pool[3];
FanVolleyKindRecord enemyJShot7Pool[25];

AimedRotString5Record enemyKShot1Pool[3][5];
AimedString5Record enemyKShot2Pool[4];
AimedString5Record enemyKShot3Pool[5];
StraightShotRecord enemyKShot4Pool[3];
StraightShotRecord enemyKShot5Pool[3];
StraightShotRecord enemyKShot6Pool[3];
FanVolleyKindRecord enemyKShot7Pool[25];

StraightShotRecord enemyLShot1Pool[3];
StraightShotRecord enemyLShot2Pool[3];
StraightShotRecord enemyLShot3Pool[3];
StraightShotRecord enemyLShot4Pool[3];
StraightShotRecord enemyLShot5Pool[3];
StraightShotRecord enemyLShot6Pool[3][5];
StraightShotRecord enemyLShot7Pool[3][5];
StraightShotRecord enemyLShot8Pool[3][5];
StraightShotRecord enemyLShot9Pool[3][5];
StraightShotRecord enemyLShot10Pool[3][5];

AimedShotLongRecord enemyMShot1Pool[3];
AimedString5Record enemyMShot2Pool[4];
AimedString5Record enemyMShot3Pool[5];
StraightShotRecord enemyMShot4Pool[3];
StraightShotRecord enemyMShot5Pool[3];
StraightShotRecord enemyMShot6Pool[3];

AimedShotLongRecord enemyNShot1Pool[3];
AimedString5Record enemyNShot2Pool[4];
AimedString5Record enemyNShot3Pool[5];
StraightShotRecord enemyNShot4Pool[3];
StraightShotRecord enemyNShot5Pool[3];
StraightShotRecord enemyNShot6Pool[3];

BigFanVolleyRecord enemyOShot1Pool[25];
BigFanVolleyRecord enemyOShot2Pool[15];
BigFanVolleyRecord enemyOShot3Pool[15];
StraightShotRecord enemyOShot4Pool[1];
StraightShotRecord enemyOShot5Pool[1];
StraightShotRecord enemyOShot6Pool[1];
StraightShotRecord enemyOShot7Pool[1];
StraightShotRecord enemyOShot8Pool[1];

BigFanVolleyRecord enemyPShot1Pool[25];
BigFanVolleyRecord enemyPShot2Pool[15];
BigFanVolleyRecord enemyPShot3Pool[15];
StraightShotRecord enemyPShot4Pool[1];
StraightShotRecord enemyPShot5Pool[1];
StraightShotRecord enemyPShot6Pool[1];
StraightShotRecord enemyPShot7Pool[1];
StraightShotRecord enemyPShot8Pool[1];

StraightShotRecord enemyQShot1Pool[3][5];
StraightShotRecord enemyQShot2Pool[3];
StraightShotRecord enemyQShot3Pool[3];
StraightShotRecord enemyQShot4Pool[3];
StraightShotRecord enemyQShot5Pool[3];
StraightShotRecord enemyQShot6Pool[3];

StraightShotRecord enemyRShot1Pool[2][5];
StraightShotRecord enemyRShot2Pool[2];
StraightShotRecord enemyRShot3Pool[2];
StraightShotRecord enemyRShot4Pool[2];
StraightShotRecord enemyRShot5Pool[2];
StraightShotRecord enemyRShot6Pool[2];

StraightShotRecord enemySShot1Pool[5];
StraightShotRecord enemySShot2Pool[5];
StraightShotRecord enemySShot3Pool[5];
StraightShotRecord enemySShot4Pool[5];
StraightShotRecord enemySShot5Pool[5];

StraightShotRecord enemyTShot1Pool[3][5];
StraightShotRecord enemyTShot2Pool[3];
StraightShotRecord enemyTShot3Pool[3];
StraightShotRecord enemyTShot4Pool[3];
StraightShotRecord enemyTShot5Pool[3];
StraightShotRecord enemyTShot6Pool[3];

StraightShotRecord enemyUShot1Pool[2][5];
StraightShotRecord enemyUShot2Pool[2];
StraightShotRecord enemyUShot3Pool[2];
StraightShotRecord enemyUShot4Pool[2];
StraightShotRecord enemyUShot5Pool[2];
StraightShotRecord enemyUShot6Pool[2];

StraightShotRecord enemyVShot1Pool[5];
StraightShotRecord enemyVShot2Pool[5];
StraightShotRecord enemyVShot3Pool[5];
StraightShotRecord enemyVShot4Pool[5];
StraightShotRecord enemyVShot5Pool[5];
