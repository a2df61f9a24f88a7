#pragma once
// The hole's two big pictures: the course (item 0), drawn from the areas,
// and the foreground layer (item 1) holding the scenery that covers the ball.
#include "hole_source.h"
#include "media/picture.h"
#include "cairo_picture.h"
#include "value_noise.h"
#include "theme.h"

namespace fg {

struct CoursePictures {
  Picture course;
  Picture foreground;
};

CoursePictures paintCourse(const HoleSource& h);

// Scenery, in scenery.cpp. Ground scenery goes on the course before the
// walls; canopy scenery goes on a layer that is both laid over the course
// and kept as the foreground.
void paintGroundDecor(cairo_t* cr, const HoleSource& h, const Theme& t);
void paintCanopyDecor(cairo_t* cr, const HoleSource& h, const Theme& t);

void pathQuad(cairo_t* cr, const arearec& a);
void pathEllipse(cairo_t* cr, double x, double y, double rx, double ry);

}  // namespace fg
