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

// Mesh sizes, in coordinates scaled so that the section's farthest point lies
// at distance 1 from the centroid.
// Longest triangle edge as a fraction of the thinnest wall, and its ceiling
// for thick sections.
constexpr double EdgePerWall = 0.7;
constexpr double LargestEdge = 0.25;
// Area of an equilateral triangle of unit edge (sqrt(3) / 4), to estimate the
// number of triangles before meshing.
constexpr double EquilateralTriangleArea = 0.433;
// The mesher's shape bound: the squared sine of the smallest angle it leaves
// in a triangle (0.125: about 20.7 degrees).
constexpr double SmallestAngleSineSquared = 0.125;
// Refinement steps between two looks at the cancel flag and the mesh size.
constexpr std::size_t RefinementStepsPerCheck = 256;

// Quadratic triangle: three corner nodes, then the midside nodes of the edges
// 0-1, 1-2 and 2-0.
constexpr std::size_t ElementNodes = 6;
using Element = std::array<int, ElementNodes>;
// Area coordinates of the six nodes of an element.
constexpr std::array<std::array<double, 3>, ElementNodes> NodeAreaCoordinates{
    {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.5, 0.5, 0}, {0, 0.5, 0.5}, {0.5, 0, 0.5}}};

bool isCancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// The outline about the centroid, divided by its extent (the largest
// coordinate distance from the centroid), so that tiny and huge sections mesh
// alike.
struct ScaledOutline {
    Outline outline;
    double extent = 0;
    double scale = 0; // 1 / extent
    double area = 0;
};

std::optional<ScaledOutline> scaledOutline(const Outline& outline, double xc, double yc)
{
    ScaledOutline scaled;
    for (const OutlineRing& ring : outline.rings)
        for (const OutlinePoint& p : ring.points)
            scaled.extent = std::max({scaled.extent, std::abs(p.x - xc), std::abs(p.y - yc)});
    if (!(scaled.extent > 0) || !std::isfinite(scaled.extent))
        return std::nullopt;
    scaled.scale = 1 / scaled.extent;
    scaled.outline = outline;
    for (OutlineRing& ring : scaled.outline.rings) {
        for (OutlinePoint& p : ring.points)
            p = {(p.x - xc) * scaled.scale, (p.y - yc) * scaled.scale};
        scaled.area += signedArea(ring.points);
    }
    return scaled;
}

// Constrained Delaunay mesh of the rings, refined to the edge length; an
// error text when it stops early.
std::optional<QString> meshOutline(Triangulation& cdt, const Outline& local, double edge,
                                   const std::atomic<bool>* cancel)
{
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
        Mesher mesher(cdt, Criteria(SmallestAngleSineSquared, edge));
        mesher.set_seeds(holes.begin(), holes.end(), false);
        mesher.init();
        std::size_t steps = 0;
        while (!mesher.is_refinement_done()) {
            mesher.step_by_step_refine_mesh();
            if (++steps % RefinementStepsPerCheck == 0) {
                if (isCancelled(cancel))
                    return QStringLiteral("cancelled");
                if (cdt.number_of_vertices() > MaxVertices)
                    return QStringLiteral("the mesh grew past its limit");
            }
        }
    } catch (const std::exception&) {
        return QStringLiteral("the outline crosses itself");
    }
    return std::nullopt;
}

struct QuadraticMesh {
    std::vector<OutlinePoint> nodes;
    std::vector<Element> elements;
};

// Numbers the corner nodes of the triangles in the section, then one midside
// node per edge.
QuadraticMesh numberNodes(Triangulation& cdt, const Outline& local)
{
    QuadraticMesh mesh;
    std::vector<OutlinePoint>& nodes = mesh.nodes;
    for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v)
        v->info() = -1;
    std::unordered_map<std::uint64_t, int> midside;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain())
            continue;
        const Point a = f->vertex(0)->point(), b = f->vertex(1)->point(), c = f->vertex(2)->point();
        // Seeds only mark holes they find; the even-odd test of the centroid
        // settles every triangle.
        if (!insideSection(local, (a.x() + b.x() + c.x()) / 3, (a.y() + b.y() + c.y()) / 3))
            continue;
        Element e{};
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
        mesh.elements.push_back(e);
    }
    return mesh;
}

// What every step needs of a triangle: its corners, its area and the
// gradients of its three area coordinates.
struct ElementGeometry {
    OutlinePoint p1, p2, p3;
    double area = 0;
    std::array<double, 3> bx{}, by{};

    OutlinePoint at(const std::array<double, 3>& l) const
    {
        return {l[0] * p1.x + l[1] * p2.x + l[2] * p3.x, l[0] * p1.y + l[1] * p2.y + l[2] * p3.y};
    }
    // Gradients of the six quadratic shape functions at area coordinates l.
    void shapeGradients(const std::array<double, 3>& l, std::array<double, ElementNodes>& gx,
                        std::array<double, ElementNodes>& gy) const
    {
        for (std::size_t i = 0; i < 3; ++i) {
            const std::size_t j = (i + 1) % 3;
            gx[i] = (4 * l[i] - 1) * bx[i];
            gy[i] = (4 * l[i] - 1) * by[i];
            gx[3 + i] = 4 * (l[j] * bx[i] + l[i] * bx[j]);
            gy[3 + i] = 4 * (l[j] * by[i] + l[i] * by[j]);
        }
    }
};

std::vector<ElementGeometry> elementGeometries(const QuadraticMesh& mesh)
{
    std::vector<ElementGeometry> geometries;
    geometries.reserve(mesh.elements.size());
    for (const Element& e : mesh.elements) {
        ElementGeometry g;
        g.p1 = mesh.nodes[std::size_t(e[0])];
        g.p2 = mesh.nodes[std::size_t(e[1])];
        g.p3 = mesh.nodes[std::size_t(e[2])];
        const OutlinePoint &p1 = g.p1, &p2 = g.p2, &p3 = g.p3;
        const double twiceArea = (p2.x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (p2.y - p1.y);
        g.area = std::abs(twiceArea) / 2;
        g.bx = {(p2.y - p3.y) / twiceArea, (p3.y - p1.y) / twiceArea, (p1.y - p2.y) / twiceArea};
        g.by = {(p3.x - p2.x) / twiceArea, (p1.x - p3.x) / twiceArea, (p2.x - p1.x) / twiceArea};
        geometries.push_back(g);
    }
    return geometries;
}

struct WarpingEquations {
    Eigen::SparseMatrix<double> stiffness;
    Eigen::VectorXd load;
};

// Assembly of K and F; node 0 is held at omega = 0 (the warping function is
// fixed only up to a constant).
WarpingEquations assemble(const QuadraticMesh& mesh, const std::vector<ElementGeometry>& geometries)
{
    const int n = int(mesh.nodes.size());
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(mesh.elements.size() * ElementNodes * ElementNodes + 1);
    WarpingEquations eq{Eigen::SparseMatrix<double>(n, n), Eigen::VectorXd::Zero(n)};
    for (std::size_t el = 0; el < mesh.elements.size(); ++el) {
        const Element& e = mesh.elements[el];
        const ElementGeometry& g = geometries[el];
        std::array<std::array<double, ElementNodes>, ElementNodes> k{};
        std::array<double, ElementNodes> f{};
        for (const QuadraturePoint& q : Quadrature) {
            const std::array<double, 3> l{q.l1, q.l2, q.l3};
            const OutlinePoint p = g.at(l);
            std::array<double, ElementNodes> gx{}, gy{};
            g.shapeGradients(l, gx, gy);
            const double w = q.weight * g.area;
            for (std::size_t i = 0; i < ElementNodes; ++i) {
                f[i] += w * (p.y * gx[i] - p.x * gy[i]);
                for (std::size_t j = 0; j < ElementNodes; ++j)
                    k[i][j] += w * (gx[i] * gx[j] + gy[i] * gy[j]);
            }
        }
        for (std::size_t i = 0; i < ElementNodes; ++i) {
            if (e[i] == 0)
                continue;
            eq.load[e[i]] += f[i];
            for (std::size_t j = 0; j < ElementNodes; ++j)
                if (e[j] != 0)
                    triplets.emplace_back(e[i], e[j], k[i][j]);
        }
    }
    triplets.emplace_back(0, 0, 1.0);
    eq.stiffness.setFromTriplets(triplets.begin(), triplets.end());
    return eq;
}

std::optional<Eigen::VectorXd> solve(const WarpingEquations& eq)
{
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(eq.stiffness);
    if (solver.info() != Eigen::Success)
        return std::nullopt;
    Eigen::VectorXd omega = solver.solve(eq.load);
    if (solver.info() != Eigen::Success || !omega.allFinite())
        return std::nullopt;
    return omega;
}

// The area integrals of the solution over the mesh, in scaled coordinates.
WarpingSolution integrate(const QuadraticMesh& mesh, const std::vector<ElementGeometry>& geometries,
                          const Eigen::VectorXd& omega)
{
    WarpingSolution s;
    for (std::size_t el = 0; el < mesh.elements.size(); ++el) {
        const Element& e = mesh.elements[el];
        const ElementGeometry& g = geometries[el];
        for (const QuadraturePoint& q : Quadrature) {
            const std::array<double, 3> l{q.l1, q.l2, q.l3};
            const OutlinePoint p = g.at(l);
            const double x = p.x, y = p.y;
            const std::array<double, ElementNodes> shape{l[0] * (2 * l[0] - 1), l[1] * (2 * l[1] - 1),
                                                         l[2] * (2 * l[2] - 1), 4 * l[0] * l[1],
                                                         4 * l[1] * l[2],       4 * l[2] * l[0]};
            double w = 0;
            for (std::size_t i = 0; i < ElementNodes; ++i)
                w += shape[i] * omega[e[i]];
            const double da = q.weight * g.area;
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
    return s;
}

// Shear-stress lever per node, averaged over the triangles around it; the
// largest of them.
double largestShearLever(const QuadraticMesh& mesh, const std::vector<ElementGeometry>& geometries,
                         const Eigen::VectorXd& omega)
{
    const std::size_t n = mesh.nodes.size();
    std::vector<OutlinePoint> leverSum(n, OutlinePoint{0, 0});
    std::vector<int> leverCount(n, 0);
    for (std::size_t el = 0; el < mesh.elements.size(); ++el) {
        const Element& e = mesh.elements[el];
        for (std::size_t node = 0; node < ElementNodes; ++node) {
            std::array<double, ElementNodes> gx{}, gy{};
            geometries[el].shapeGradients(NodeAreaCoordinates[node], gx, gy);
            double sx = 0, sy = 0;
            for (std::size_t i = 0; i < 3; ++i) {
                sx += omega[e[i]] * gx[i] + omega[e[3 + i]] * gx[3 + i];
                sy += omega[e[i]] * gy[i] + omega[e[3 + i]] * gy[3 + i];
            }
            const std::size_t at = std::size_t(e[node]);
            leverSum[at].x += sx - mesh.nodes[at].y;
            leverSum[at].y += sy + mesh.nodes[at].x;
            ++leverCount[at];
        }
    }
    double lever = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (leverCount[i] > 0)
            lever = std::max(lever, std::hypot(leverSum[i].x, leverSum[i].y) / leverCount[i]);
    return lever;
}

// Back to mm: lengths scale by extent, omega by extent squared.
void rescale(WarpingSolution& s, double extent)
{
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
    s.shearLever *= extent;
}

} // namespace

WarpingOutcome solveWarping(const Outline& outline, double xc, double yc, double wall, const std::atomic<bool>* cancel)
{
    const std::optional<ScaledOutline> scaled = scaledOutline(outline, xc, yc);
    if (!scaled || !(wall > 0) || !std::isfinite(wall))
        return failure(QStringLiteral("the section has no size"));
    const double edge = std::min(wall * scaled->scale * EdgePerWall, LargestEdge);
    const double estimate = 2 * scaled->area / (EquilateralTriangleArea * edge * edge);
    if (!(scaled->area > 0) || !std::isfinite(estimate))
        return failure(QStringLiteral("the section has no area"));
    if (estimate > MaxEstimatedTriangles)
        return failure(QStringLiteral("the section is too slender for the exact computation (about %1 triangles)")
                           .arg(std::llround(estimate)));

    Triangulation cdt;
    if (const std::optional<QString> error = meshOutline(cdt, scaled->outline, edge, cancel))
        return failure(*error);
    const QuadraticMesh mesh = numberNodes(cdt, scaled->outline);
    if (mesh.elements.empty())
        return failure(QStringLiteral("the mesh is empty"));
    if (isCancelled(cancel))
        return failure(QStringLiteral("cancelled"));

    const std::vector<ElementGeometry> geometries = elementGeometries(mesh);
    const WarpingEquations equations = assemble(mesh, geometries);
    const std::optional<Eigen::VectorXd> omega = solve(equations);
    if (!omega)
        return failure(QStringLiteral("the torsion equations could not be solved"));

    WarpingSolution s = integrate(mesh, geometries, *omega);
    s.shearLever = largestShearLever(mesh, geometries, *omega);
    s.torsionConstant = s.ix + s.iy - equations.load.dot(*omega);
    rescale(s, scaled->extent);
    s.triangles = int(mesh.elements.size());
    s.nodes = int(mesh.nodes.size());
    WarpingOutcome out;
    out.solution = s;
    return out;
}
