#pragma once

#include "I2CDevInterface.h"

// The link's bus primitives, for transfers the link itself does not make.
class BusProbe : public velk::I2CDevInterface {
public:
    using I2CDevInterface::I2CDevInterface;
    using I2CDevInterface::i2cReadByte;
    using I2CDevInterface::i2cStart;
    using I2CDevInterface::i2cStop;
    using I2CDevInterface::i2cWriteByte;
};
