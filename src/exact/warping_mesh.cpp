#include "exact/warping_mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <list>
#include <unordered_map>
#include <vector>

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase = CGAL::Delaunay_mesh_vertex_base_2<Kernel, CGAL::Triangulation_vertex_base_with_info_2<int, Kernel>>;
using FaceBase = CGAL::Delaunay_mesh_face_base_2<Kernel>;
using DataStructure = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
using Triangulation = CGAL::Constrained_Delaunay_triangulation_2<Kernel, DataStructure, CGAL::Exact_predicates_tag>;
using Criteria = CGAL::Delaunay_mesh_size_criteria_2<Triangulation>;
using Mesher = CGAL::Delaunay_mesher_2<Triangulation, Criteria>;
using Point = Kernel::Point_2;

// Limits that keep a slender or degenerate section from running away: the
// estimated and the actual size of the mesh.
constexpr double MaxEstimatedTriangles = 60000;
constexpr std::size_t MaxVertices = 120000;

// Degree-4 rule on the triangle (six points), exact for the products of
// quadratic functions the integrals below need.
struct QuadraturePoint {
    double l1, l2, l3, weight;
};
constexpr double qa = 0.445948490915965, qb = 0.108103018168070, wa = 0.223381589678011;
constexpr double qc = 0.091576213509771, qd = 0.816847572980459, wc = 0.109951743655322;
constexpr std::array<QuadraturePoint, 6> Quadrature{{{qa, qa, qb, wa},
                                                     {qa, qb, qa, wa},
                                                     {qb, qa, qa, wa},
                                                     {qc, qc, qd, wc},
                                                     {qc, qd, qc, wc},
                                                     {qd, qc, qc, wc}}};

bool insideRing(const std::vector<OutlinePoint>& ring, double x, double y)
{
    bool inside = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const OutlinePoint& a = ring[i];
        const OutlinePoint& b = ring[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// A point inside a hole, to tell the mesher which region to leave empty: the
// hole's centroid when it lies inside, else a point just inside an edge.
std::optional<OutlinePoint> pointInside(const std::vector<OutlinePoint>& ring)
{
    double a = 0, sx = 0, sy = 0;
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const OutlinePoint& p = ring[i];
        const OutlinePoint& q = ring[(i + 1) % n];
        const double cr = p.x * q.y - q.x * p.y;
        a += cr / 2;
        sx += (p.x + q.x) * cr / 6;
        sy += (p.y + q.y) * cr / 6;
    }
    if (a != 0 && insideRing(ring, sx / a, sy / a))
        return OutlinePoint{sx / a, sy / a};
    for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
        const OutlinePoint& p = ring[i];
        const OutlinePoint& q = ring[(i + 1) % n];
        const double len = std::hypot(q.x - p.x, q.y - p.y);
        if (len <= 0)
            continue;
        for (double side : {1.0, -1.0}) {
            const double d = side * len * 1e-3;
            const OutlinePoint m{(p.x + q.x) / 2 - (q.y - p.y) / len * d, (p.y + q.y) / 2 + (q.x - p.x) / len * d};
            if (insideRing(ring, m.x, m.y))
                return m;
        }
    }
    return std::nullopt;
}

bool insideSection(const Outline& outline, double x, double y)
{
    bool inside = false;
    for (const OutlineRing& ring : outline.rings)
        if (insideRing(ring.points, x, y))
            inside = !inside;
    return inside;
}

WarpingOutcome failure(const QString& why)
{
    WarpingOutcome out;
    out.error = why;
    return out;
}

} // namespace

WarpingOutcome solveWarping(const Outline& outline, double xc, double yc, double wall, const std::atomic<bool>* cancel)
{
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

    // Work in coordinates about the centroid, scaled by the section's size,
    // so that tiny and huge sections mesh alike.
    double extent = 0;
    for (const OutlineRing& ring : outline.rings)
        for (const OutlinePoint& p : ring.points)
            extent = std::max({extent, std::abs(p.x - xc), std::abs(p.y - yc)});
    if (!(extent > 0) || !std::isfinite(extent) || !(wall > 0) || !std::isfinite(wall))
        return failure(QStringLiteral("the section has no size"));
    const double scale = 1 / extent;
    Outline local = outline;
    double area = 0;
    for (OutlineRing& ring : local.rings) {
        for (OutlinePoint& p : ring.points)
            p = {(p.x - xc) * scale, (p.y - yc) * scale};
        area += signedArea(ring.points);
    }
    const double size = std::min(wall * scale * 0.7, 0.25);
    const double estimate = 2 * area / (0.433 * size * size);
    if (!(area > 0) || !std::isfinite(estimate))
        return failure(QStringLiteral("the section has no area"));
    if (estimate > MaxEstimatedTriangles)
        return failure(QStringLiteral("the section is too slender for the exact computation (about %1 triangles)")
                           .arg(std::llround(estimate)));

    Triangulation cdt;
    std::list<Point> holes;
    try {
        for (const OutlineRing& ring : local.rings) {
            std::vector<Triangulation::Vertex_handle> vertices;
            vertices.reserve(ring.points.size());
            for (const OutlinePoint& p : ring.points)
                vertices.push_back(cdt.insert(Point(p.x, p.y)));
            for (std::size_t i = 0; i < vertices.size(); ++i) {
                const auto& a = vertices[i];
                const auto& b = vertices[(i + 1) % vertices.size()];
                if (a != b)
                    cdt.insert_constraint(a, b);
            }
            if (ring.hole)
                if (auto inside = pointInside(ring.points))
                    holes.emplace_back(inside->x, inside->y);
        }
        Mesher mesher(cdt, Criteria(0.125, size));
        mesher.set_seeds(holes.begin(), holes.end(), false);
        mesher.init();
        std::size_t steps = 0;
        while (!mesher.is_refinement_done()) {
            mesher.step_by_step_refine_mesh();
            if (++steps % 256 == 0) {
                if (cancelled())
                    return failure(QStringLiteral("cancelled"));
                if (cdt.number_of_vertices() > MaxVertices)
                    return failure(QStringLiteral("the mesh grew past its limit"));
            }
        }
    } catch (const std::exception&) {
        return failure(QStringLiteral("the outline crosses itself"));
    }

    // Number the corner nodes of the triangles in the section, then one
    // midside node per edge.
    for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v)
        v->info() = -1;
    std::vector<std::array<int, 6>> elements;
    std::vector<OutlinePoint> nodes;
    std::unordered_map<std::uint64_t, int> midside;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain())
            continue;
        const Point a = f->vertex(0)->point(), b = f->vertex(1)->point(), c = f->vertex(2)->point();
        // Seeds only mark holes they find; the even-odd test of the centroid
        // settles every triangle.
        if (!insideSection(local, (a.x() + b.x() + c.x()) / 3, (a.y() + b.y() + c.y()) / 3))
            continue;
        std::array<int, 6> e{};
        for (int k = 0; k < 3; ++k) {
            auto v = f->vertex(k);
            if (v->info() < 0) {
                v->info() = int(nodes.size());
                nodes.push_back({v->point().x(), v->point().y()});
            }
            e[std::size_t(k)] = v->info();
        }
        for (int k = 0; k < 3; ++k) {
            const int i = e[std::size_t(k)], j = e[std::size_t((k + 1) % 3)];
            const std::uint64_t key = (std::uint64_t(std::min(i, j)) << 32) | std::uint64_t(std::max(i, j));
            auto [it, added] = midside.try_emplace(key, int(nodes.size()));
            if (added)
                nodes.push_back({(nodes[std::size_t(i)].x + nodes[std::size_t(j)].x) / 2,
                                 (nodes[std::size_t(i)].y + nodes[std::size_t(j)].y) / 2});
            e[std::size_t(3 + k)] = it->second;
        }
        elements.push_back(e);
    }
    if (elements.empty())
        return failure(QStringLiteral("the mesh is empty"));
    if (cancelled())
        return failure(QStringLiteral("cancelled"));

    // Assembly of K and F; node 0 is held at omega = 0 (the warping function
    // is fixed only up to a constant).
    const int n = int(nodes.size());
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(elements.size() * 36 + 1);
    Eigen::VectorXd load = Eigen::VectorXd::Zero(n);
    for (const auto& e : elements) {
        const OutlinePoint& p1 = nodes[std::size_t(e[0])];
        const OutlinePoint& p2 = nodes[std::size_t(e[1])];
        const OutlinePoint& p3 = nodes[std::size_t(e[2])];
        const double twiceArea = (p2.x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (p2.y - p1.y);
        const double a = std::abs(twiceArea) / 2;
        const std::array<double, 3> bx{(p2.y - p3.y) / twiceArea, (p3.y - p1.y) / twiceArea, (p1.y - p2.y) / twiceArea};
        const std::array<double, 3> by{(p3.x - p2.x) / twiceArea, (p1.x - p3.x) / twiceArea, (p2.x - p1.x) / twiceArea};
        std::array<std::array<double, 6>, 6> k{};
        std::array<double, 6> f{};
        for (const QuadraturePoint& q : Quadrature) {
            const std::array<double, 3> l{q.l1, q.l2, q.l3};
            const double x = l[0] * p1.x + l[1] * p2.x + l[2] * p3.x;
            const double y = l[0] * p1.y + l[1] * p2.y + l[2] * p3.y;
            std::array<double, 6> gx{}, gy{};
            for (int i = 0; i < 3; ++i) {
                gx[std::size_t(i)] = (4 * l[std::size_t(i)] - 1) * bx[std::size_t(i)];
                gy[std::size_t(i)] = (4 * l[std::size_t(i)] - 1) * by[std::size_t(i)];
                const int j = (i + 1) % 3;
                gx[std::size_t(3 + i)] = 4 * (l[std::size_t(j)] * bx[std::size_t(i)] + l[std::size_t(i)] * bx[std::size_t(j)]);
                gy[std::size_t(3 + i)] = 4 * (l[std::size_t(j)] * by[std::size_t(i)] + l[std::size_t(i)] * by[std::size_t(j)]);
            }
            const double w = q.weight * a;
            for (std::size_t i = 0; i < 6; ++i) {
                f[i] += w * (y * gx[i] - x * gy[i]);
                for (std::size_t j = 0; j < 6; ++j)
                    k[i][j] += w * (gx[i] * gx[j] + gy[i] * gy[j]);
            }
        }
        for (std::size_t i = 0; i < 6; ++i) {
            if (e[i] == 0)
                continue;
            load[e[i]] += f[i];
            for (std::size_t j = 0; j < 6; ++j)
                if (e[j] != 0)
                    triplets.emplace_back(e[i], e[j], k[i][j]);
        }
    }
    triplets.emplace_back(0, 0, 1.0);
    Eigen::SparseMatrix<double> stiffness(n, n);
    stiffness.setFromTriplets(triplets.begin(), triplets.end());
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(stiffness);
    if (solver.info() != Eigen::Success)
        return failure(QStringLiteral("the torsion equations could not be solved"));
    const Eigen::VectorXd omega = solver.solve(load);
    if (solver.info() != Eigen::Success || !omega.allFinite())
        return failure(QStringLiteral("the torsion equations could not be solved"));

    WarpingSolution s;
    for (const auto& e : elements) {
        const OutlinePoint& p1 = nodes[std::size_t(e[0])];
        const OutlinePoint& p2 = nodes[std::size_t(e[1])];
        const OutlinePoint& p3 = nodes[std::size_t(e[2])];
        const double a = std::abs((p2.x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (p2.y - p1.y)) / 2;
        for (const QuadraturePoint& q : Quadrature) {
            const std::array<double, 3> l{q.l1, q.l2, q.l3};
            const double x = l[0] * p1.x + l[1] * p2.x + l[2] * p3.x;
            const double y = l[0] * p1.y + l[1] * p2.y + l[2] * p3.y;
            const std::array<double, 6> shape{l[0] * (2 * l[0] - 1), l[1] * (2 * l[1] - 1), l[2] * (2 * l[2] - 1),
                                              4 * l[0] * l[1],       4 * l[1] * l[2],       4 * l[2] * l[0]};
            double w = 0;
            for (std::size_t i = 0; i < 6; ++i)
                w += shape[i] * omega[e[i]];
            const double da = q.weight * a;
            s.area += da;
            s.ix += y * y * da;
            s.iy += x * x * da;
            s.ixy += x * y * da;
            s.omega += w * da;
            s.xOmega += x * w * da;
            s.yOmega += y * w * da;
            s.omegaOmega += w * w * da;
        }
    }
    // Shear-stress lever per node, averaged over the triangles around it.
    std::vector<OutlinePoint> leverSum(std::size_t(n), OutlinePoint{0, 0});
    std::vector<int> leverCount(std::size_t(n), 0);
    constexpr std::array<std::array<double, 3>, 6> nodeCoordinates{
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.5, 0.5, 0}, {0, 0.5, 0.5}, {0.5, 0, 0.5}}};
    for (const auto& e : elements) {
        const OutlinePoint& p1 = nodes[std::size_t(e[0])];
        const OutlinePoint& p2 = nodes[std::size_t(e[1])];
        const OutlinePoint& p3 = nodes[std::size_t(e[2])];
        const double twiceArea = (p2.x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (p2.y - p1.y);
        const std::array<double, 3> bx{(p2.y - p3.y) / twiceArea, (p3.y - p1.y) / twiceArea, (p1.y - p2.y) / twiceArea};
        const std::array<double, 3> by{(p3.x - p2.x) / twiceArea, (p1.x - p3.x) / twiceArea, (p2.x - p1.x) / twiceArea};
        for (std::size_t node = 0; node < 6; ++node) {
            const auto& l = nodeCoordinates[node];
            double gx = 0, gy = 0;
            for (std::size_t i = 0; i < 3; ++i) {
                const std::size_t j = (i + 1) % 3;
                gx += omega[e[i]] * (4 * l[i] - 1) * bx[i] + omega[e[3 + i]] * 4 * (l[j] * bx[i] + l[i] * bx[j]);
                gy += omega[e[i]] * (4 * l[i] - 1) * by[i] + omega[e[3 + i]] * 4 * (l[j] * by[i] + l[i] * by[j]);
            }
            const OutlinePoint& at = nodes[std::size_t(e[node])];
            leverSum[std::size_t(e[node])].x += gx - at.y;
            leverSum[std::size_t(e[node])].y += gy + at.x;
            ++leverCount[std::size_t(e[node])];
        }
    }
    double lever = 0;
    for (int i = 0; i < n; ++i)
        if (leverCount[std::size_t(i)] > 0)
            lever = std::max(lever, std::hypot(leverSum[std::size_t(i)].x, leverSum[std::size_t(i)].y) /
                                        leverCount[std::size_t(i)]);

    const double energy = load.dot(omega);
    s.torsionConstant = s.ix + s.iy - energy;
    // Back to mm: lengths scale by extent, omega by extent squared.
    const double l2 = extent * extent, l4 = l2 * l2;
    s.torsionConstant *= l4;
    s.area *= l2;
    s.ix *= l4;
    s.iy *= l4;
    s.ixy *= l4;
    s.omega *= l4;
    s.xOmega *= l4 * extent;
    s.yOmega *= l4 * extent;
    s.omegaOmega *= l4 * l2;
    s.shearLever = lever * extent;
    s.triangles = int(elements.size());
    s.nodes = n;
    WarpingOutcome out;
    out.solution = s;
    return out;
}
