#pragma once

// The St Venant warping function of a section on a triangle mesh: a
// constrained Delaunay mesh of the outline with quality refinement, quadratic
// (6-node) triangles, and a sparse direct solution of the Neumann problem
//   laplace(omega) = 0 in the section,  d(omega)/dn = y nx - x ny on its edges,
// in coordinates about the centroid. Quadratic triangles on a mesh sized by
// the thinnest wall give the torsion constant of the thin-walled and the
// solid sections to well under 0.1 % (see the convergence tests), so the
// mesh is not refined further.

#include "exact/outline.h"

#include <QString>

#include <atomic>
#include <optional>

struct WarpingSolution {
    double torsionConstant = 0;     // It = Ix + Iy - omega' K omega
    double area = 0;                 // integrals over the mesh, centroidal x and y:
    double ix = 0, iy = 0, ixy = 0;  //   y^2, x^2, xy
    double omega = 0;                //   omega
    double xOmega = 0, yOmega = 0;   //   x omega, y omega
    double omegaOmega = 0;           //   omega^2
    // The largest shear-stress lever |grad omega + (-y, x)| over the nodes
    // (gradients averaged over the triangles that share a node): the radius
    // of a circle, the thickness of a thin wall. It over it is the torsion
    // modulus.
    double shearLever = 0;
    int triangles = 0;
    int nodes = 0;
};

struct WarpingOutcome {
    std::optional<WarpingSolution> solution;
    QString error;
};

// Meshes the outline with triangles whose edges are at most 0.7 of the
// thinnest wall, and at most a quarter of the distance from the centroid to
// the farthest point, and solves for the warping function about (xc, yc).
// Refuses outlines that would need an unreasonable mesh (very slender
// sections) and stops when cancel is set.
WarpingOutcome solveWarping(const Outline& outline, double xc, double yc, double wall,
                            const std::atomic<bool>* cancel = nullptr);
