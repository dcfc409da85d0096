// SPDX-License-Identifier: MIT
#include "displaytexts.h"

#include "numberforms.h"

std::string moneyText(Amount balance)
{
    return "Money:" + signedForm(balance);
}

std::string flipTitle(int guess, int redCount)
{
    return signedForm(guess) + signedForm(redCount);
}

std::string flipAnnouncement(int guess, int redCount, const std::string &money)
{
    return "Guessed " + plainForm(guess) + ", " + plainForm(redCount) + " red. " + money;
}

std::string scrollValueText(int value)
{
    return plainForm(value);
}
