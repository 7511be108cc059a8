// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace quorvane {

// A small dense matrix over the league's categories, row by row.
class SquareMatrix {
  public:
    SquareMatrix() = default;
    explicit SquareMatrix(std::size_t size) : m_size(size), m_cells(size * size, 0.0) {}

    std::size_t size() const { return m_size; }
    double operator()(std::size_t row, std::size_t column) const {
        return m_cells[row * m_size + column];
    }
    double& operator()(std::size_t row, std::size_t column) {
        return m_cells[row * m_size + column];
    }

    std::vector<double> times(std::span<const double> vector) const {
        std::vector<double> product(m_size, 0.0);
        for (std::size_t row = 0; row < m_size; ++row) {
            double sum = 0.0;
            for (std::size_t column = 0; column < m_size; ++column) {
                sum += m_cells[row * m_size + column] * vector[column];
            }
            product[row] = sum;
        }
        return product;
    }

  private:
    std::size_t m_size = 0;
    std::vector<double> m_cells;
};

inline double dot(std::span<const double> a, std::span<const double> b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += a[i] * b[i];
    }
    return sum;
}

}  // namespace quorvane
