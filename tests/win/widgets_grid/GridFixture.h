#pragma once
// A form with a framed data grid over a real table of foods (Cyrillic names, decimal
// values) in a temporary directory, and the input helpers the grid tests share.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/DBTables.h"
#include "data/DataSource.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/db/RzDBGrid.h"

class GridFixture : public ::testing::Test {
protected:
    static constexpr int kFoodRows = 40;

    void SetUp() override;
    void TearDown() override;

    // The food name of a stored row (0-based) as the fixture wrote it.
    static std::string FoodName(int row);
    // Shows the form with the grid placed at 8, 8, 420 x 220 over the open food table.
    void ShowGrid(TDBGridOptions options);
    // Client point of a cell's centre.
    POINT CellCentre(int column, int row) const;
    // Mouse messages straight to the grid's window.
    void Click(POINT p);
    void DoubleClick(POINT p);
    void Key(UINT vk, bool ctrl = false);
    std::string Utf8Dir() const;

    std::filesystem::path dir;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TTable* table = nullptr;
    TDataSource* source = nullptr;
    TRzDBGrid* grid = nullptr;
};

// Moves the real mouse pointer (SendInput, absolute) and waits until it is there.
bool MoveMouse(int x, int y);
