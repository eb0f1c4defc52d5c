// Forced into the game's sources (-include) where it draws through the
// layer: every GL 1.1 and GLU call the game makes goes to the layer's
// function of the same shape (see gl1.h); the declarations that <GL/gl.h>
// and <GL/glu.h> make under the old names declare the layer's.
#pragma once

#define glBegin gl1Begin
#define glEnd gl1End
#define glVertex2i gl1Vertex2i
#define glVertex2f gl1Vertex2f
#define glVertex3d gl1Vertex3d
#define glColor3f gl1Color3f
#define glColor3d gl1Color3d
#define glNormal3f gl1Normal3f
#define glTexCoord2f gl1TexCoord2f
#define glTexCoord2d gl1TexCoord2d
#define glEnable gl1Enable
#define glDisable gl1Disable
#define glShadeModel gl1ShadeModel
#define glHint gl1Hint
#define glLightfv gl1Lightfv
#define glColorMaterial gl1ColorMaterial
#define glMatrixMode gl1MatrixMode
#define glLoadIdentity gl1LoadIdentity
#define glPushMatrix gl1PushMatrix
#define glPopMatrix gl1PopMatrix
#define glTranslatef gl1Translatef
#define glTranslated gl1Translated
#define glRotated gl1Rotated
#define glScalef gl1Scalef
#define glGetDoublev gl1GetDoublev
#define glGetIntegerv gl1GetIntegerv
#define glViewport gl1Viewport
#define glClearColor gl1ClearColor
#define glClearDepth gl1ClearDepth
#define glClear gl1Clear
#define glDepthFunc gl1DepthFunc
#define glFlush gl1Flush
#define glFinish gl1Finish
#define glGenTextures gl1GenTextures
#define glDeleteTextures gl1DeleteTextures
#define glBindTexture gl1BindTexture
#define glTexParameteri gl1TexParameteri
#define glTexImage2D gl1TexImage2D
#define glPixelStorei gl1PixelStorei
#define glReadPixels gl1ReadPixels
#define glGenLists gl1GenLists
#define glDeleteLists gl1DeleteLists
#define glNewList gl1NewList
#define glEndList gl1EndList
#define glCallList gl1CallList
#define glCallLists gl1CallLists
#define glListBase gl1ListBase
#define glRasterPos2f gl1RasterPos2f
#define glBitmap gl1Bitmap
#define gluPerspective gl1uPerspective
#define gluNewQuadric gl1uNewQuadric
#define gluDeleteQuadric gl1uDeleteQuadric
#define gluSphere gl1uSphere
