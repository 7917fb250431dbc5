#pragma once
// EXPECT_THROW_MSG(statement, Exception, message): `statement` throws an `Exception` whose what() is exactly
// `message`.

#include <string>

#include <gtest/gtest.h>

#define EXPECT_THROW_MSG(statement, Exception, message)            \
  do {                                                             \
    try {                                                          \
      statement;                                                   \
      ADD_FAILURE() << "expected " #Exception ": " << (message);   \
    } catch (Exception const& thrown) {                            \
      EXPECT_EQ(std::string(thrown.what()), std::string(message)); \
    }                                                              \
  } while (false)
