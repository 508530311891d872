#pragma once
// EXPECT_MESSAGE(statement, text): the statement throws the system's Exception with exactly
// that message.
#include <gtest/gtest.h>

#include "core/Exception.h"

#define EXPECT_MESSAGE(stmt, text)                       \
    do {                                                 \
        try {                                            \
            stmt;                                        \
            ADD_FAILURE() << "no exception from " #stmt; \
        } catch (const Exception& e) {                   \
            EXPECT_EQ(e.Message(), text);                \
        }                                                \
    } while (0)
